<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Assegna profilo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Riassegna tasto</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Riassegna al tasto?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <source>Mouse Left</source>
        <translation>Tasto sinistro del mouse</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale del mouse</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro del mouse</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Tasto laterale del mouse - Avanti</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Tasto laterale del mouse - Indietro</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Apri Risorse del computer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <source>Macro:</source>
        <translation>Macro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Profilo:</translation>
    </message>
</context>
<context>
    <name>DCustomEventListPage</name>
    <message>
        <source>No custom features added</source>
        <translation>Nessuna funzione personalizzata aggiunta</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostra desktop</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Chiudi finestra</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Blocca computer</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Apri Risorse del computer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Inserisci tasti?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Disattiva tasto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Seleziona app</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Percorso app：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Seleziona programma</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Applicazione(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Inserisci testo ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tipo di riproduzione</translation>
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
        <source>Assign Macro</source>
        <translation>Assegna macro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Numero di riproduzioni</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Numero di riproduzioni 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Tasto mouse</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Tasto sinistro del mouse</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Tasto centrale del mouse</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Tasto destro del mouse</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Tasto laterale del mouse - Indietro</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Tasto laterale del mouse - Avanti</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Rotella giù</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Rotella su</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tasto cecchino</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
        <source>Volume Down</source>
        <translation>Volume giù</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume su</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muto</translation>
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
        <source>Email</source>
        <translation>E-mail</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>Nessun profilo aperto.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>Il file del profilo %1 non esiste.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>Il profilo %1 manca o è illeggibile in %2.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>Impossibile scrivere il tasto in %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Troppo lungo da salvare: al massimo %1 byte.</translation>
    </message>
</context>
</TS>
