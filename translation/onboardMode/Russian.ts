<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Устройство не поддерживает встроенный режим</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>Не удаётся создать файлы встроенной конфигурации</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Быстрая настройка выполнена</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Быстрая настройка не выполнена</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Новая конфигурация создана</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Не удалось создать конфигурацию</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Экспорт выполнен</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Экспорт не выполнен</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл конфигурации</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы конфигурации(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>Файл не является встроенной конфигурацией</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Импорт выполнен</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Импорт не выполнен</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Должна остаться хотя бы одна конфигурация</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Конфигурация удалена</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Не удалось удалить конфигурацию</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Имя конфигурации не может быть пустым</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Конфигурация с таким именем уже есть</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Имя конфигурации изменено</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Не удалось изменить имя</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Сохранить настройку клавиши FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Сохранить настройку клавиши FN1?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Слой очищен</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Не удалось очистить слой</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Клавиша очищена</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Не удалось очистить клавишу</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Сначала выберите клавишу!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Клавиша FN назначена</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Не удалось назначить клавишу FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Клавиша FN1 назначена</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Не удалось назначить клавишу FN1</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Восстановить заводские настройки?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Заводские настройки восстановлены</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Не удалось восстановить заводские настройки</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Запись начата</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Встроенная загрузка [Ошибка]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Запись завершена</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Конфигурация загружена</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Не удалось загрузить конфигурацию, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Воспроизвести один раз</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Воспроизвести несколько раз</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Непрерывное воспроизведение вкл./выкл.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Воспроизводить, пока клавиша нажата</translation>
    </message>
    <message>
        <source>L_CTRL</source>
        <translation>L_CTRL</translation>
    </message>
    <message>
        <source>L_SHIFT</source>
        <translation>L_SHIFT</translation>
    </message>
    <message>
        <source>L_ALT</source>
        <translation>L_ALT</translation>
    </message>
    <message>
        <source>L_WIN</source>
        <translation>L_WIN</translation>
    </message>
    <message>
        <source>R_CTRL</source>
        <translation>R_CTRL</translation>
    </message>
    <message>
        <source>R_SHIFT</source>
        <translation>R_SHIFT</translation>
    </message>
    <message>
        <source>R_ALT</source>
        <translation>R_ALT</translation>
    </message>
    <message>
        <source>R_WIN</source>
        <translation>R_WIN</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка мыши</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Прокрутка вверх</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Прокрутка вниз</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская клавиша</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Следующий трек</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Предыдущий трек</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Калькулятор</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Слишком много макросов (не более 10)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Макрос слишком длинный: %1</translation>
    </message>
</context>
</TS>
