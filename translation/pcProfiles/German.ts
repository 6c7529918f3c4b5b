<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DDevicePage</name>
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
        <translation>Profil exportiert</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Profil konnte nicht exportiert werden</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Mindestens ein Profil muss bleiben</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil gelöscht</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Profil konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Profildatei öffnen</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Profildateien(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Bitte zuerst eine Importdatei wählen</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>Die Datei ist keine Profildatei</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil importiert</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Profil konnte nicht importiert werden</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profil hinzugefügt</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Profil konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Programm wählen</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programme(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Der Profilname darf nicht leer sein</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Profilname oder Pfad zu lang</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil geändert</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Profil konnte nicht geändert werden</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Aktuelles Profil zurücksetzen?</translation>
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
        <source>Reset the current profile successful</source>
        <translation>Aktuelles Profil zurückgesetzt</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Zurücksetzen des aktuellen Profils fehlgeschlagen</translation>
    </message>
</context>
</TS>
