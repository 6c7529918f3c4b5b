<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation>Collegato:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
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
        <translation>Assegnata</translation>
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
        <translation>Gruppo macro </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Impostazione ritardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Ritardo registrato</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Nessun ritardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Ritardo predefinito</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Registrazione macro</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Registrazione vuota</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Inserisci nella macro</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserisci evento dopo</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserisci evento prima</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Ritardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Premere un tasto</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Inserire il ritardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>L&apos;acquisizione di tastiera e mouse richiede una sessione X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Registrazione macro avviata</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Registrazione macro fermata</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selezionare prima una posizione</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>È stato raggiunto il numero massimo di eventi</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Inserimento non riuscito</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserimento riuscito</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Modifica non riuscita</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modifica riuscita</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro aggiunta</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Impossibile aggiungere la macro</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Impossibile eliminare la macro</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminata</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selezionare prima una macro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Impossibile svuotare la macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Macro svuotata</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>Non è un file macro</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>Il file macro contiene eventi non validi</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importata</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Impossibile importare la macro</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selezionare prima una cartella</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro esportata</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Impossibile esportare la macro</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Il nome della macro non può essere vuoto</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Macro rinominata</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Impossibile rinominare la macro</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Apri file macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>File macro(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Cartella di salvataggio</translation>
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
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Rinomina</translation>
    </message>
</context>
</TS>
