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
    <message>
        <source>Reset the current profile successful</source>
        <translation>Zresetowano bieżący profil</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Czy zresetować bieżący profil?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Nie udało się zresetować bieżącego profilu</translation>
    </message>
</context>
</TS>
