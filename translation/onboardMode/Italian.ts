<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Il dispositivo non supporta la modalità integrata</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>Impossibile creare i file di configurazione integrata</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Configurazione rapida riuscita</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Configurazione rapida non riuscita</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Nuova configurazione creata</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Creazione della configurazione non riuscita</translation>
    </message>
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
        <translation>Esportazione riuscita</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Apri file di configurazione</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>File di configurazione(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleziona prima un file da importare</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>Il file non è una configurazione integrata</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Importazione riuscita</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Importazione non riuscita</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Deve restare almeno una configurazione</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Configurazione eliminata</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Eliminazione non riuscita</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Il nome della configurazione non può essere vuoto</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Il nome della configurazione esiste già</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Nome della configurazione modificato</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Modifica del nome non riuscita</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Mantenere l'impostazione del tasto FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Mantenere l'impostazione del tasto FN1?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Suggerimento</translation>
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
        <source>Clean layer successful</source>
        <translation>Livello svuotato</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Svuotamento del livello non riuscito</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Tasto svuotato</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Svuotamento del tasto non riuscito</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Seleziona prima un tasto!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Tasto FN impostato</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Impostazione del tasto FN non riuscita</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Tasto FN1 impostato</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Impostazione del tasto FN1 non riuscita</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Ripristinare le impostazioni di fabbrica?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Impostazioni di fabbrica ripristinate</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Ripristino delle impostazioni di fabbrica non riuscito</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Scrittura avviata</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Download integrato [Non riuscito]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Scrittura completata</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configurazione scaricata</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Download non riuscito, riprova</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Riproduci una volta</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Riproduci più volte</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Riproduzione continua on/off</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Riproduci finché il tasto è premuto</translation>
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
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Scorri su</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Scorri giù</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Traccia successiva</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Traccia precedente</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Lettore</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatrice</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Troppe macro (al massimo 10)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Macro troppo lunga: %1</translation>
    </message>
</context>
</TS>
