<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DCatchKeyAndMouseItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>99999 MS</source>
        <translation>99999 MS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>关联：</source>
        <translation>Verknüpft:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro01</source>
        <translation>Macro01</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Zugewiesen</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Macro Group </source>
        <translation>Makrogruppe </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Aufgenommene Verzögerung</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Keine Verzögerung</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Standardverzögerung</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Makroaufnahme</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Aufnahme ist leer</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Makro einfügen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Ereignis danach einfügen</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Ereignis davor einfügen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Verzögerung</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Bitte eine Taste drücken</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Mittelklick</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Bitte Verzögerung eingeben</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>Tastatur- und Mausaufnahme benötigt eine X11-Sitzung</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Makroaufnahme gestartet</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Makroaufnahme beendet</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Bitte zuerst eine Stelle wählen</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Die Höchstzahl an Ereignissen ist erreicht</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Einfügen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Einfügen erfolgreich</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Ändern fehlgeschlagen</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Ändern erfolgreich</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Makro hinzugefügt</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Makro konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Makro konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Makro gelöscht</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Bitte zuerst ein Makro wählen</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Makro konnte nicht geleert werden</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Makro geleert</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>Keine Makrodatei</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>Die Makrodatei enthält ungültige Ereignisse</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Makro importiert</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Makro konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Bitte zuerst einen Zielordner wählen</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Makro exportiert</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Makro konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Der Makroname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Makro umbenannt</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Makro konnte nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Makrodatei öffnen</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Makrodateien(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Zielordner</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Umbenennen</translation>
    </message>
</context>
</TS>
