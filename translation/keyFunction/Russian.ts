<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Назначить профиль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Переназначить клавишу</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Назначить клавишу?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <source>Wheel Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Боковая кнопка мыши – Вперёд</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Боковая кнопка мыши – Назад</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Открыть «Мой компьютер»</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
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
        <source>Macro:</source>
        <translation>Макрос:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профиль:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>Пользовательские функции не добавлены</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Показать рабочий стол</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Закрыть окно</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Открыть «Мой компьютер»</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Введите клавиши?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Отключить клавишу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Путь к программе：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Выбрать программу</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Программа(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Введите текст ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Режим воспроизведения</translation>
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
        <source>Assign Macro</source>
        <translation>Назначить макрос</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Количество повторов</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Количество повторов 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Кнопка мыши</translation>
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
        <source>Mouse left side key-Back</source>
        <translation>Боковая кнопка мыши – Назад</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Боковая кнопка мыши – Вперёд</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Колесо вниз</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Колесо вверх</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Мультимедиа</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Воспроизведение/пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
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
        <source>Volume Down</source>
        <translation>Тише</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Громче</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
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
        <source>Email</source>
        <translation>Почта</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Браузер</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>Профиль не открыт.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>Файл профиля %1 отсутствует.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>Профиль %1 отсутствует или не читается в %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>Не удалось записать клавишу в %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Слишком длинно для сохранения: не более %1 байт.</translation>
    </message>
</context>
</TS>
