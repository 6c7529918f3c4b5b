<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DDevicePage</name>
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
        <translation>Profil wyeksportowany</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Eksport profilu nie powiódł się</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Musi pozostać co najmniej jeden profil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Profil usunięty</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Usunięcie profilu nie powiodło się</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Otwórz plik profilu</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Pliki profili(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Najpierw wybierz plik do importu</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>Ten plik nie jest plikiem profilu</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Profil zaimportowany</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Import profilu nie powiódł się</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Profil dodany</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Dodanie profilu nie powiodło się</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Programy(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Nazwa profilu nie może być pusta</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Nazwa profilu lub ścieżka jest za długa</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Profil zmieniony</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Zmiana profilu nie powiodła się</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Wskazówka</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Czy zresetować bieżący profil?</translation>
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
        <source>Reset the current profile successful</source>
        <translation>Zresetowano bieżący profil</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Nie udało się zresetować bieżącego profilu</translation>
    </message>
</context>
</TS>
