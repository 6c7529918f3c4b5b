<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>DDevicePage</name>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку для сохранения</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Профиль экспортирован</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Не удалось экспортировать профиль</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Должен остаться хотя бы один профиль</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Профиль удалён</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Не удалось удалить профиль</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Открыть файл профиля</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Файлы профилей(*.xml)</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Сначала выберите файл для импорта</translation>
    </message>
    <message>
        <source>The file is not a profile file</source>
        <translation>Файл не является файлом профиля</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Профиль импортирован</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Не удалось импортировать профиль</translation>
    </message>
    <message>
        <source>Add profile successful</source>
        <translation>Профиль добавлен</translation>
    </message>
    <message>
        <source>Add profile failed</source>
        <translation>Не удалось добавить профиль</translation>
    </message>
    <message>
        <source>Select exe</source>
        <translation>Выбрать программу</translation>
    </message>
    <message>
        <source>App(*)</source>
        <translation>Программы(*)</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>Имя профиля не может быть пустым</translation>
    </message>
    <message>
        <source>Profile name or path too long</source>
        <translation>Слишком длинное имя профиля или путь</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Профиль изменён</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Не удалось изменить профиль</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Сбросить текущий профиль?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Текущий профиль сброшен</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Не удалось сбросить текущий профиль</translation>
    </message>
</context>
</TS>
