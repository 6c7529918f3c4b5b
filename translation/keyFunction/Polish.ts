<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DChangProfilePage</name>
    <message>
        <source>Assign proFile</source>
        <translation>Przypisz profil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DChangeKeyPage</name>
    <message>
        <source>Remap Key</source>
        <translation>Zmień przypisanie klawisza</translation>
    </message>
    <message>
        <source>Remap with key ？</source>
        <translation>Przypisać klawisz?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DCustomEventListItem</name>
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
        <translation>Odtwórz/Wstrzymaj</translation>
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
        <translation>Zatrzymaj</translation>
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
        <source>Wheel Up</source>
        <translation>Kółko w górę</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Kółko w dół</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Boczny przycisk myszy – Dalej</translation>
    </message>
    <message>
        <source>Mouse left side key-Back</source>
        <translation>Boczny przycisk myszy – Wstecz</translation>
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
        <translation>Otwórz mój komputer</translation>
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
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Ciągłe odtwarzanie wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, gdy klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Macro:</source>
        <translation>Makro:</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłączony</translation>
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
        <translation>Nie dodano funkcji własnych</translation>
    </message>
</context>
<context>
    <name>DHotKeyPage</name>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Pokaż pulpit</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Zamknij okno</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <source>Open my computer</source>
        <translation>Otwórz mój komputer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
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
        <source>Cut</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyCombinationPage</name>
    <message>
        <source>key combination</source>
        <translation>Kombinacja klawiszy</translation>
    </message>
    <message>
        <source>Enter key？</source>
        <translation>Wprowadź klawisze?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable Key</source>
        <translation>Wyłącz klawisz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DKeyWithAppPage</name>
    <message>
        <source>Select app</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>App path：D:/EditPlus 3/EditPlus.exe</source>
        <translation>Ścieżka aplikacji：D:/EditPlus 3/EditPlus.exe</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Wybierz aplikację</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Aplikacja(*)</translation>
    </message>
</context>
<context>
    <name>DKeyWithTextPage</name>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Wprowadź tekst ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DMacroCmdPage</name>
    <message>
        <source>Play Type</source>
        <translation>Tryb odtwarzania</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Odtwórz raz</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Odtwórz wielokrotnie</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Ciągłe odtwarzanie wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, gdy klawisz jest wciśnięty</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Przypisz makro</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Liczba odtworzeń</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Liczba odtworzeń 1, 2, 3...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DMouseKeyPage</name>
    <message>
        <source>Mouse Key</source>
        <translation>Klawisz myszy</translation>
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
        <source>Mouse left side key-Back</source>
        <translation>Boczny przycisk myszy – Wstecz</translation>
    </message>
    <message>
        <source>Mouse left side key-Go</source>
        <translation>Boczny przycisk myszy – Dalej</translation>
    </message>
    <message>
        <source>Wheel Down</source>
        <translation>Kółko w dół</translation>
    </message>
    <message>
        <source>Wheel Up</source>
        <translation>Kółko w górę</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Klawisz snajpera</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Odtwórz/Wstrzymaj</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
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
        <source>Volume Down</source>
        <translation>Ciszej</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Głośniej</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Wycisz</translation>
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
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Przeglądarka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>keyFunctionPageState</name>
    <message>
        <source>No profile is open.</source>
        <translation>Żaden profil nie jest otwarty.</translation>
    </message>
    <message>
        <source>The profile file %1 is missing.</source>
        <translation>Brak pliku profilu %1.</translation>
    </message>
    <message>
        <source>The profile %1 is missing or unreadable in %2.</source>
        <translation>Profilu %1 brak w %2 lub jest nieczytelny.</translation>
    </message>
    <message>
        <source>The key could not be written to %1.</source>
        <translation>Nie udało się zapisać klawisza w %1.</translation>
    </message>
    <message>
        <source>Too long to store: at most %1 bytes.</source>
        <translation>Za długie do zapisania: maksymalnie %1 bajtów.</translation>
    </message>
</context>
</TS>
