<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Профиль 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Тестовая клавиша</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Настройка клавиш</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Настройка подсветки</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Боковая подсветка</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Группа профилей </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Имя профиля</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Связать профиль с программой</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Путь к программе：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать приложение</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Название клавиатуры</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Режим APP</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Редактор памяти</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Основной слой</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Слой FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (неактивна)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Назначить FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Синхронизация подсветки</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Сообщение журнала</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Эффект подсветки</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Производительность</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Список настроек</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Настройка DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Экранная клавиатура</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Устройство не подключено</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Сначала подключите устройство!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Включён режим памяти, сначала выйдите из него</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Переназначить</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Ярлыки</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Сменить профиль</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Запуск программы</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Статичный</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Дыхание</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Волна</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Мерцание</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Змейка</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Радар</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Авторябь</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Сияние</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Рябь</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Реакция</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Крест</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Фейерверк</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Реакция на скорость</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Музыкальный ритм</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своя</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Столкновение</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>Не удалось создать папку профиля устройства</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>Не удалось прочитать файл профиля устройства</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>Не удалось прочитать файл профиля устройства; он сохранён отдельно, создан новый</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>Не удалось создать файл профиля устройства</translation>
    </message>
</context>
</TS>
