<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Profil 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Testtaste</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Tasten anpassen</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Seitenlicht</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Profilgruppe </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Profil mit Programm verknüpfen</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Programmpfad：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Anwendung wählen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Tastaturname</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>APP-Modus</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Onboard-Editor</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Standardebene</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>FN1-Ebene</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (inaktiv)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>FN1 festlegen</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Licht synchronisieren</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Protokollmeldung</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Lichteffekt</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Angepasste Tasten</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>DPI-Einstellung</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Gerät nicht verbunden</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Bitte zuerst das Gerät verbinden!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Onboard-Modus aktiv, bitte zuerst beenden</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Verknüpfungen</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Profil wechseln</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Atmen</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Welle</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Funkeln</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Auto-Wellen</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Streifen</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Polarlicht</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reaktiv</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Feuerwerk</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Tempo-Reaktion</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Musikrhythmus</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Kollision</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>Der Profilordner des Geräts konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>Die Profildatei des Geräts konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>Die Profildatei des Geräts konnte nicht gelesen werden; sie wurde beiseitegelegt und eine neue angelegt</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>Die Profildatei des Geräts konnte nicht angelegt werden</translation>
    </message>
</context>
</TS>
