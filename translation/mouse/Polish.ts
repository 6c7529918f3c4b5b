<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DDpiConfigListItem</name>
    <message>
        <source>DDpiConfigListItem</source>
        <translation>DDpiConfigListItem</translation>
    </message>
    <message>
        <source>Sniper</source>
        <translation>Snajper</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>X/Y:</source>
        <translation>X/Y:</translation>
    </message>
</context>
<context>
    <name>DMouseLightPage</name>
    <message>
        <source>DMouseLightPage</source>
        <translation>DMouseLightPage</translation>
    </message>
    <message>
        <source>Light Around</source>
        <translation>Podświetlenie dookoła</translation>
    </message>
    <message>
        <source>Scroll</source>
        <translation>Kółko</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>DMousePage</name>
    <message>
        <source>DMousePage</source>
        <translation>DMousePage</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Dpi Loop</source>
        <translation>Przełączanie DPI</translation>
    </message>
    <message>
        <source>Forward_L</source>
        <translation>Dalej (L)</translation>
    </message>
    <message>
        <source>Backward_L</source>
        <translation>Wstecz (L)</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Prawy przycisk</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Forward_R</source>
        <translation>Dalej (P)</translation>
    </message>
    <message>
        <source>Backward_R</source>
        <translation>Wstecz (P)</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Nieznane</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wiele razy</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Ciągłe odtwarzanie wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, gdy przycisk jest wciśnięty</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Odtwórz/Pauza</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Następny utwór</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Poprzedni utwór</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Odtwarzacz</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk myszy</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Przewiń w górę</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Przewiń w dół</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Przycisk snajpera</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Otwórz komputer</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Stick</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
</context>
<context>
    <name>DMousePerformanceView</name>
    <message>
        <source>DMousePerformanceView</source>
        <translation>DMousePerformanceView</translation>
    </message>
    <message>
        <source>Mouse Properties:</source>
        <translation>Właściwości myszy:</translation>
    </message>
    <message>
        <source>125Hz</source>
        <translation>125Hz</translation>
    </message>
    <message>
        <source>250Hz</source>
        <translation>250Hz</translation>
    </message>
    <message>
        <source>500Hz</source>
        <translation>500Hz</translation>
    </message>
    <message>
        <source>1000Hz</source>
        <translation>1000Hz</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Resetuj bieżący profil</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Właściwości myszy</translation>
    </message>
    <message>
        <source>No mouse settings program was found for this desktop.</source>
        <translation>Nie znaleziono programu ustawień myszy dla tego pulpitu.</translation>
    </message>
    <message>
        <source>The mouse settings could not be opened: %1</source>
        <translation>Nie można otworzyć ustawień myszy: %1</translation>
    </message>
</context>
<context>
    <name>DmouseConfigView</name>
    <message>
        <source>DmouseConfigView</source>
        <translation>DmouseConfigView</translation>
    </message>
    <message>
        <source>Enable X/Y</source>
        <translation>Włącz X/Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
</context>
</TS>
