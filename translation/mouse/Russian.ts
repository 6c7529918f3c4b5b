<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>Снайпер</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>Подсветка по контуру</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Колесо</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый щелчок</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Переключение DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Вперёд (Л)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Назад (Л)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый щелчок</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний щелчок</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Вперёд (П)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Назад (П)</translation>
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
        <translation>Воспроизводить, пока нажата клавиша</translation>
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
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Левая кнопка</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Средняя кнопка</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Правая кнопка</translation>
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
        <translation>Снайперская кнопка</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Отключить</translation>
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
        <translation>Открыть «Компьютер»</translation>
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
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>Свойства мыши:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Сбросить текущий профиль</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Свойства мыши</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>Для этой среды рабочего стола не найдена программа настройки мыши.</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>Не удалось открыть настройки мыши: %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>Включить X/Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
