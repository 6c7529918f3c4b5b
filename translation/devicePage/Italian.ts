<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Profile 1</source>
        <translation>Profilo 1</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Tasto di prova</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizza tasti</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Impostazioni luci</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Side Light</source>
        <translation>Luce laterale</translation>
    </message>
    <message>
        <source>Profile Group </source>
        <translation>Gruppo profili </translation>
    </message>
    <message>
        <source>Profile name</source>
        <translation>Nome del profilo</translation>
    </message>
    <message>
        <source>Profile Name</source>
        <translation>Nome del profilo</translation>
    </message>
    <message>
        <source>Link profile to program</source>
        <translation>Collega il profilo a un programma</translation>
    </message>
    <message>
        <source>App path：/usr/bin/program</source>
        <translation>Percorso applicazione：/usr/bin/program</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleziona applicazione</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Keyboard Name</source>
        <translation>Nome della tastiera</translation>
    </message>
    <message>
        <source>APP mode</source>
        <translation>Modalità APP</translation>
    </message>
    <message>
        <source>Onboard Editor</source>
        <translation>Editor integrato</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Livello predefinito</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Livello FN1</translation>
    </message>
    <message>
        <source>FN(无效)</source>
        <translation>FN (non attivo)</translation>
    </message>
    <message>
        <source>Set FN1</source>
        <translation>Imposta FN1</translation>
    </message>
    <message>
        <source>Light Synchronize</source>
        <translation>Sincronizza luci</translation>
    </message>
    <message>
        <source>Log infomsg</source>
        <translation>Messaggio di registro</translation>
    </message>
    <message>
        <source>Restore factory settings</source>
        <translation>Ripristina impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Trasferisci</translation>
    </message>
    <message>
        <source>Lighting Effect</source>
        <translation>Effetto luce</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Prestazioni</translation>
    </message>
    <message>
        <source>Custom List</source>
        <translation>Elenco personalizzato</translation>
    </message>
    <message>
        <source>DPI Config</source>
        <translation>Configurazione DPI</translation>
    </message>
    <message>
        <source>Soft Keyboard</source>
        <translation>Tastiera virtuale</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo non collegato</translation>
    </message>
    <message>
        <source>Please open hid first!</source>
        <translation>Collega prima il dispositivo!</translation>
    </message>
    <message>
        <source>Currently in On-board mode, please exit first</source>
        <translation>Modalità integrata attiva, uscire prima</translation>
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
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Remap key</source>
        <translation>Riassegna tasto</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>key combination</source>
        <translation>Combinazione di tasti</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Switch profile</source>
        <translation>Cambia profilo</translation>
    </message>
    <message>
        <source>Launch application</source>
        <translation>Avvia applicazione</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statico</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiro</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Scintillio</translation>
    </message>
    <message>
        <source>Snack</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Increspatura auto</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Striature</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Increspatura</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reattivo</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Croce</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuochi d'artificio</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Risposta alla velocità</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musicale</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collisione</translation>
    </message>
    <message>
        <source>The device's profile folder could not be created</source>
        <translation>Impossibile creare la cartella del profilo del dispositivo</translation>
    </message>
    <message>
        <source>The device's profile file could not be read</source>
        <translation>Impossibile leggere il file del profilo del dispositivo</translation>
    </message>
    <message>
        <source>The device's profile file could not be read; it was set aside and a new one made</source>
        <translation>Impossibile leggere il file del profilo del dispositivo; è stato messo da parte e ne è stato creato uno nuovo</translation>
    </message>
    <message>
        <source>The device's profile file could not be created</source>
        <translation>Impossibile creare il file del profilo del dispositivo</translation>
    </message>
</context>
</TS>
