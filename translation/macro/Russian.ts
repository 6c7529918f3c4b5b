<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <translation>Связь:</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
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
        <translation>Назначена</translation>
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
        <translation>Группа макросов </translation>
    </message>
    <message>
        <source>Delay setting</source>
        <translation>Настройка задержки</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Записанная задержка</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Без задержки</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Задержка по умолчанию</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Macro record</source>
        <translation>Запись макроса</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Запись пуста</translation>
    </message>
    <message>
        <source>0 MS</source>
        <translation>0 MS</translation>
    </message>
    <message>
        <source>Insert Macro</source>
        <translation>Вставка в макрос</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Вставить событие после</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Вставить событие перед</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Задержка</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Нажмите клавишу</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Левый клик</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Средний клик</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Правый клик</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Введите задержку</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Мышь</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Capturing keys and mouse needs an X11 session</source>
        <translation>Для захвата клавиатуры и мыши нужен сеанс X11</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Запись макроса начата</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Запись макроса остановлена</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Сначала выберите место</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Достигнуто максимальное число событий</translation>
    </message>
    <message>
        <source>Insert failed</source>
        <translation>Не удалось вставить</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Вставка выполнена</translation>
    </message>
    <message>
        <source>Modify failed</source>
        <translation>Не удалось изменить</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Изменение выполнено</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Макрос добавлен</translation>
    </message>
    <message>
        <source>Add macro failed</source>
        <translation>Не удалось добавить макрос</translation>
    </message>
    <message>
        <source>Delete macro failed</source>
        <translation>Не удалось удалить макрос</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Макрос удалён</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Сначала выберите макрос</translation>
    </message>
    <message>
        <source>Clear record macro failed</source>
        <translation>Не удалось очистить макрос</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Макрос очищен</translation>
    </message>
    <message>
        <source>Not a macro file</source>
        <translation>Это не файл макросов</translation>
    </message>
    <message>
        <source>The macro file holds invalid events</source>
        <translation>Файл макросов содержит недопустимые события</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Макрос импортирован</translation>
    </message>
    <message>
        <source>Import macro failed</source>
        <translation>Не удалось импортировать макрос</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Сначала выберите папку</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Макрос экспортирован</translation>
    </message>
    <message>
        <source>Export macro failed</source>
        <translation>Не удалось экспортировать макрос</translation>
    </message>
    <message>
        <source>Macro name can&apos;t be empty</source>
        <translation>Имя макроса не может быть пустым</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Макрос переименован</translation>
    </message>
    <message>
        <source>Modify macro name failed</source>
        <translation>Не удалось переименовать макрос</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Открыть файл макросов</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Файлы макросов(*.xml)</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Папка для сохранения</translation>
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
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Переименовать</translation>
    </message>
</context>
</TS>
