<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Empty</source>
        <translation>Pusty</translation>
    </message>
    <message>
        <source>The device is not support On-board</source>
        <translation>Urządzenie nie obsługuje trybu wbudowanego</translation>
    </message>
    <message>
        <source>The on-board config files cannot be made</source>
        <translation>Nie można utworzyć plików konfiguracji wbudowanej</translation>
    </message>
    <message>
        <source>Fast config successful</source>
        <translation>Szybka konfiguracja powiodła się</translation>
    </message>
    <message>
        <source>Fast config failed</source>
        <translation>Szybka konfiguracja nie powiodła się</translation>
    </message>
    <message>
        <source>Create new config successful</source>
        <translation>Utworzono nową konfigurację</translation>
    </message>
    <message>
        <source>Create new config failed</source>
        <translation>Nie udało się utworzyć konfiguracji</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Folder zapisu</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Najpierw wybierz folder zapisu</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Eksport powiódł się</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Eksport nie powiódł się</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik konfiguracji</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki konfiguracji(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do importu</translation>
    </message>
    <message>
        <source>The file is not an on-board config file</source>
        <translation>Ten plik nie jest konfiguracją wbudowaną</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Import powiódł się</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import nie powiódł się</translation>
    </message>
    <message>
        <source>Need keep at least one config</source>
        <translation>Musi pozostać co najmniej jedna konfiguracja</translation>
    </message>
    <message>
        <source>Delete config successful</source>
        <translation>Usunięto konfigurację</translation>
    </message>
    <message>
        <source>Delete config failed</source>
        <translation>Nie udało się usunąć konfiguracji</translation>
    </message>
    <message>
        <source>Config name can&apos;t be empty</source>
        <translation>Nazwa konfiguracji nie może być pusta</translation>
    </message>
    <message>
        <source>Config name already exists</source>
        <translation>Taka nazwa konfiguracji już istnieje</translation>
    </message>
    <message>
        <source>Modify config name successful</source>
        <translation>Zmieniono nazwę konfiguracji</translation>
    </message>
    <message>
        <source>Modify config name failed</source>
        <translation>Nie udało się zmienić nazwy</translation>
    </message>
    <message>
        <source>Do you want to keep the FN key setting?</source>
        <translation>Zachować ustawienie klawisza FN?</translation>
    </message>
    <message>
        <source>Do you want to keep the FN1 key setting?</source>
        <translation>Zachować ustawienie klawisza FN1?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Clean layer successful</source>
        <translation>Wyczyszczono warstwę</translation>
    </message>
    <message>
        <source>Clean layer failed</source>
        <translation>Nie udało się wyczyścić warstwy</translation>
    </message>
    <message>
        <source>Empty the key successful</source>
        <translation>Wyczyszczono klawisz</translation>
    </message>
    <message>
        <source>Empty the key failed</source>
        <translation>Nie udało się wyczyścić klawisza</translation>
    </message>
    <message>
        <source>Please select one Key first!</source>
        <translation>Najpierw wybierz klawisz!</translation>
    </message>
    <message>
        <source>Set FN key successful</source>
        <translation>Ustawiono klawisz FN</translation>
    </message>
    <message>
        <source>Set FN key failed</source>
        <translation>Nie udało się ustawić klawisza FN</translation>
    </message>
    <message>
        <source>Set FN1 key successful</source>
        <translation>Ustawiono klawisz FN1</translation>
    </message>
    <message>
        <source>Set FN1 key failed</source>
        <translation>Nie udało się ustawić klawisza FN1</translation>
    </message>
    <message>
        <source>Whether to restore the factory settings?</source>
        <translation>Przywrócić ustawienia fabryczne?</translation>
    </message>
    <message>
        <source>Restore the factory settings successful</source>
        <translation>Przywrócono ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Restore the factory settings failed</source>
        <translation>Nie udało się przywrócić ustawień fabrycznych</translation>
    </message>
    <message>
        <source>Write Start</source>
        <translation>Rozpoczęto zapis</translation>
    </message>
    <message>
        <source>Onboard Download [Failed]</source>
        <translation>Pobieranie wbudowane [Błąd]</translation>
    </message>
    <message>
        <source>Write Over</source>
        <translation>Zapis zakończony</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Konfiguracja została wgrana</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Nie udało się wgrać konfiguracji, spróbuj ponownie</translation>
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
        <translation>Odtwarzanie ciągłe wł./wył.</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Odtwarzaj, gdy klawisz jest wciśnięty</translation>
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
        <translation>Lewy przycisk</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Środkowy przycisk</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Prawy przycisk</translation>
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
        <translation>Klawisz snajperski</translation>
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
        <translation>Poczta</translation>
    </message>
    <message>
        <source>Too many macros (at most 10)</source>
        <translation>Za dużo makr (najwyżej 10)</translation>
    </message>
    <message>
        <source>Macro too long: %1</source>
        <translation>Makro jest za długie: %1</translation>
    </message>
</context>
</TS>
