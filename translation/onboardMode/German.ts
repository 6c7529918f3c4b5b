<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Das Gerät unterstützt den Onboard-Modus nicht</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>Die Onboard-Konfigurationsdateien können nicht angelegt werden</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Schnellkonfiguration erfolgreich</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Schnellkonfiguration fehlgeschlagen</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Neue Konfiguration erstellt</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Neue Konfiguration konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Speicherordner</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Speicherordner wählen</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Export erfolgreich</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Konfigurationsdateien(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Importdatei wählen</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>Die Datei ist keine Onboard-Konfiguration</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import erfolgreich</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Mindestens eine Konfiguration muss bleiben</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Konfiguration gelöscht</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Konfiguration konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Der Konfigurationsname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Dieser Konfigurationsname existiert bereits</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Konfigurationsname geändert</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Konfigurationsname konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>FN-Tasteneinstellung beibehalten?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>FN1-Tasteneinstellung beibehalten?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Ebene geleert</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Ebene konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Taste geleert</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Taste konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Bitte zuerst eine Taste wählen!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>FN-Taste festgelegt</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>FN-Taste konnte nicht festgelegt werden</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>FN1-Taste festgelegt</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>FN1-Taste konnte nicht festgelegt werden</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Werkseinstellungen wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Werkseinstellungen wiederhergestellt</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Werkseinstellungen konnten nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Schreiben gestartet</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Onboard-Übertragung [Fehlgeschlagen]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Schreiben abgeschlossen</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguration übertragen</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Übertragung fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Einmal abspielen</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Mehrmals abspielen</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Dauerwiedergabe ein/aus</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Abspielen, solange die Taste gedrückt ist</translation>
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
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Mittlere Maustaste</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Nach oben scrollen</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Nach unten scrollen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Zu viele Makros (höchstens 10)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Makro zu lang: %1</translation>
    </message>
</context>
</TS>
