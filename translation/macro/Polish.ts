<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
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
        <translation>Powiązane:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
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
        <translation>Przypisane</translation>
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
        <translation>Grupa makr </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Ustawienie opóźnienia</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Nagrane opóźnienie</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Bez opóźnienia</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Domyślne opóźnienie</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Nagraj</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Nagranie makra</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Nagranie jest puste</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Wstaw do makra</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Wstaw zdarzenie po</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Wstaw zdarzenie przed</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Naciśnij klawisz</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy klik</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy klik</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy klik</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Wpisz opóźnienie</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mysz</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>Przechwytywanie klawiatury i myszy wymaga sesji X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Rozpoczęto nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Zatrzymano nagrywanie makra</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Najpierw wybierz miejsce</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Osiągnięto limit zdarzeń</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Nie udało się wstawić</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Wstawiono</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Nie udało się zmienić</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Dodano makro</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Nie udało się dodać makra</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Nie udało się usunąć makra</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Usunięto makro</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Najpierw wybierz makro</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Nie udało się wyczyścić makra</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Wyczyszczono makro</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>To nie jest plik makra</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>Plik makra zawiera nieprawidłowe zdarzenia</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Zaimportowano makro</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Nie udało się zaimportować makra</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Wyeksportowano makro</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Nie udało się wyeksportować makra</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Nazwa makra nie może być pusta</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Zmieniono nazwę makra</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Nie udało się zmienić nazwy makra</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Otwórz plik makra</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Pliki makr(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
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
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Zmień nazwę</translation>
    </message>
</context>
</TS>
