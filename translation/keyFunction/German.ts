<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Profil zuweisen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Taste neu belegen</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Neu belegen mit Taste?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <source>Wheel Up</source>
        <translation>Mausrad nach oben</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Mausrad nach unten</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Maus-Seitentaste – Vor</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Maus-Seitentaste – Zurück</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Arbeitsplatz öffnen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <source>Macro:</source>
        <translation>Makro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profil:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>Keine eigenen Funktionen hinzugefügt</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Desktop anzeigen</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Arbeitsplatz öffnen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>Tastenkombination</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Tasten eingeben?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Taste deaktivieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Programmpfad：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programm(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Text eingeben ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Wiedergabeart</translation>
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
        <source>Assign Macro</source>
        <translation>Makro zuweisen</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Anzahl Wiedergaben</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Anzahl Wiedergaben 1, 2, 3 ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Maustaste</translation>
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
        <source>Mouse left side key-Back</source>
        <translation>Maus-Seitentaste – Zurück</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Maus-Seitentaste – Vor</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Mausrad nach unten</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Mausrad nach oben</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Sniper-Taste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DMultimediaPage</name>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <source>Volume Down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
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
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>Kein Profil ist geöffnet.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>Die Profildatei %1 fehlt.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>Profil %1 fehlt in %2 oder ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>Die Taste konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Zu lang zum Speichern: höchstens %1 Byte.</translation>
    </message>
</context>
</TS>
