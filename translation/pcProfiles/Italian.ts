<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleziona prima una cartella di salvataggio</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Profilo esportato</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Deve restare almeno un profilo</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profilo eliminato</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Eliminazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file di profilo</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File di profilo(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleziona prima un file da importare</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>Il file non è un file di profilo</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profilo importato</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione del profilo non riuscita</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profilo aggiunto</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Aggiunta del profilo non riuscita</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleziona programma</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programmi(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Il nome del profilo non può essere vuoto</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Nome del profilo o percorso troppo lungo</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profilo modificato</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Modifica del profilo non riuscita</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Ripristinare il profilo corrente?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profilo corrente ripristinato</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Ripristino del profilo corrente non riuscito</translation>
    </message>
</context>
</TS>
