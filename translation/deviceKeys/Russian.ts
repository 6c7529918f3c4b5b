<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>Сначала выберите клавишу!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Операция выполнена</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Операция не выполнена</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>Макрос слишком длинный для мыши (не более 50 событий)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Текущий профиль сброшен</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
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
        <source>Reset the current profile failed</source>
        <translation>Не удалось сбросить текущий профиль</translation>
    </message>
</context>
</TS>
