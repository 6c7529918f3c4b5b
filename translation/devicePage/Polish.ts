<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Klawisz testowy</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Dostosuj klawisze</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Ustawienia podświetlenia</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Podświetlenie boczne</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Grupa profili </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nazwa profilu</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Powiąż profil z programem</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Ścieżka aplikacji：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nazwa klawiatury</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Tryb APP</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Edytor pamięci</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Warstwa domyślna</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Warstwa FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (nieaktywny)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Ustaw FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Synchronizacja podświetlenia</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Komunikat dziennika</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Przywróć ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Efekt podświetlenia</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Wydajność</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Lista własna</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Ustawienia DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Klawiatura ekranowa</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Urządzenie nie jest podłączone</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Najpierw podłącz urządzenie!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Aktywny tryb pamięci, najpierw go opuść</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Zmień klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Przełącz profil</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statyczny</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Oddech</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Fala</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Migotanie</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Wąż</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto fale</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Prążki</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Zorza</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Fale</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktywny</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Krzyż</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fajerwerki</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Reakcja na tempo</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Rytm muzyki</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Zderzenie</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>Nie można utworzyć folderu profilu urządzenia</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>Nie można odczytać pliku profilu urządzenia</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>Nie można odczytać pliku profilu urządzenia; odłożono go i utworzono nowy</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>Nie można utworzyć pliku profilu urządzenia</translation>
    </message>
</context>
</TS>
