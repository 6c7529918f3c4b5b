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
</context>
</TS>
