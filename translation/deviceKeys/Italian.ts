<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Left Click</source>
        <translation>Clic sinistro</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Ciclo DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Avanti (S)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Indietro (S)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic destro</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic centrale</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Avanti (D)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Indietro (D)</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Seleziona prima un tasto!</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Operate failed</source>
        <translation>Operazione non riuscita</translation>
    </message>
    <message>
        <source>The macro is too long for the mouse (at most 50 events)</source>
        <translation>La macro è troppo lunga per il mouse (al massimo 50 eventi)</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Profilo corrente ripristinato</translation>
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
        <source>Reset the current profile failed</source>
        <translation>Ripristino del profilo corrente non riuscito</translation>
    </message>
</context>
</TS>
