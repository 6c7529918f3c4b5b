<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Please select one Key first!</source>
        <translation>Najpierw wybierz klawisz!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operacja udana</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operacja nie powiodła się</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>Makro jest za długie dla myszy (najwyżej 50 zdarzeń)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Puste</translation>
    </message>
</context>
</TS>
