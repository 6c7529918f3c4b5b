#pragma once

// A macro page on a temporary macro file, with the hooks, the clock, the
// file dialogs and the toasts in the test's hands.

#include "CbNoticeInterface.h"
#include "DCatchKeyAndMouseItem.h"
#include "DMacroListItem.h"
#include "DMacroPage.h"
#include "FixedText.h"
#include "InputHookBackend.h"
#include "WindowsHookInterface.h"
#include "macroFileDialogs.h"
#include "xmlInterface.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>

// Plays the system's part: the test calls the procedures the hooks were given.
class ScriptedHooks : public InputHookBackend
{
public:
    struct Script
    {
        bool fail = false;
        KeyboardProc keyboard = nullptr;
        MouseProc mouse = nullptr;
    };

    explicit ScriptedHooks(Script *script) : m_script(script) {}

    bool setKeyboardHook(KeyboardProc proc) override
    {
        if (m_script->fail)
            return false;
        m_script->keyboard = proc;
        return true;
    }
    bool setMouseHook(MouseProc proc) override
    {
        if (m_script->fail)
            return false;
        m_script->mouse = proc;
        return true;
    }
    void unhookKeyboard() override { m_script->keyboard = nullptr; }
    void unhookMouse() override { m_script->mouse = nullptr; }
    long lastError() const override { return 1; }

private:
    Script *m_script;
};

class ScriptedDialogs : public macroFileDialogs
{
public:
    QString openMacroFile(QWidget *, const QString &) override { return openAnswer; }
    QString chooseExportFolder(QWidget *, const QString &) override { return folderAnswer; }

    QString openAnswer;
    QString folderAnswer;
};

class NoticeLog : public CbNoticeInterface
{
public:
    void showNotice() override {}
    void showNotice(const QString &text) override { texts << text; }
    void showNotice(const QString &text, const QPoint &) override { texts << text; }
    QString last() const { return texts.value(texts.size() - 1); }
    QStringList take()
    {
        const QStringList all = texts;
        texts.clear();
        return all;
    }

    QStringList texts;
};

// One event as a test writes it: "a" down is {"key", 4, "A", "down"}.
struct Event
{
    QByteArray mark;
    int delay;
    QByteArray type;
    int code;
    QByteArray name;
    QByteArray word;
};

inline macroItemInfo toItem(const Event &e)
{
    macroItemInfo item;
    std::memset(&item, 0, sizeof item);
    fixedTextCopy(item.mark, e.mark);
    fixedTextCopy(item.delay, QByteArray::number(e.delay));
    fixedTextCopy(item.type, e.type);
    fixedTextCopy(item.keyCode, QByteArray::number(e.code));
    fixedTextCopy(item.codeName, e.name);
    fixedTextCopy(item.operateExplain, e.word);
    return item;
}

// A press and its release of key A, mark m.
inline QList<Event> keyPair(const QByteArray &mark, int pressDelay = 10, int releaseDelay = 20)
{
    return {{mark, pressDelay, "key", 4, "A", "down"}, {mark, releaseDelay, "key", 4, "A", "up"}};
}

class MacroPageFixture
{
public:
    MacroPageFixture()
    {
        WindowsHookInterface::setHookBackend(std::make_unique<ScriptedHooks>(&script));
        path = dir.path() + QStringLiteral("/pardexMacro.xml");
        store.createXmlFile(path);
        page = std::make_unique<DMacroPage>();
        page->setMacroFileInfo(QFile::encodeName(path).constData(), &store);
        page->setClock([this] { return now; });
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        page->setFileDialogs(std::move(scripted));
        page->setNoticeSink(&notices);
        page->resize(1163, 659);
    }

    ~MacroPageFixture()
    {
        page.reset();
        WindowsHookInterface::setHookBackend(nullptr);
    }

    // Macros in the file; each with its events.
    void addMacro(int index, const QByteArray &name, const QList<Event> &events = {})
    {
        QVERIFY(store.addMacro(path, QByteArray::number(index), name));
        QList<macroItemInfo> items;
        for (const Event &e : events)
            items << toItem(e);
        if (!items.isEmpty())
            QVERIFY(store.addMacroItems(path, items, QByteArray::number(index)));
    }

    // Shown as the main window shows it.
    void showPage()
    {
        page->setCurrentPageStatus(true);
        page->loadKeyboardInfo();
        page->loadMacroList();
        page->show();
    }

    template <typename T>
    T *child(const char *name) const { return page->findChild<T *>(QLatin1String(name)); }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void clickRadio(const char *button) { QTest::mouseClick(child<QRadioButton>(button), Qt::LeftButton); }

    // The hooks, as the system would call them; false when they are not set.
    bool key(int vk, bool down, int flags = 0)
    {
        if (!script.keyboard)
            return false;
        script.keyboard(vk, down ? flags : (flags | 0x80));
        return true;
    }
    bool tap(int vk, int holdMs = 0)
    {
        return key(vk, true) && (advance(holdMs), key(vk, false));
    }
    bool mouse(int message)
    {
        if (!script.mouse)
            return false;
        const lowLevelMouseRecord record;
        script.mouse(message, record);
        return true;
    }
    void advance(int ms) { now += quint32(ms); }

    // The Record frame as the user works it: the pointer comes in, a button
    // goes down and up over it, the pointer goes away.
    void clickRecord()
    {
        QWidget *record = child<QWidget>("frame_Record");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(record, &enter);
        mouse(513);
        QTest::mouseClick(record, Qt::LeftButton);
        mouse(514);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(record, &leave);
    }

    QList<macroItemInfo> fileItems(int index = 1)
    {
        QList<macroItemInfo> items;
        store.getMacroItems(path, QByteArray::number(index), QByteArray(), items);
        return items;
    }
    xmlIndexNameList fileMacros()
    {
        xmlIndexNameList list;
        store.getMacroList(path, list);
        return list;
    }
    QByteArray fileBytes() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A row's event as "A down 10" / "Left Click Up 0".
    static QString describe(const QString &name, const QString &word, const QString &delay)
    {
        return name + QLatin1Char(' ') + word + QLatin1Char(' ') + delay;
    }
    QStringList tableEvents() const
    {
        QStringList rows;
        for (const DCatchKeyAndMouseItem *row : page->eventRows())
            rows << describe(row->getCodeName(), row->getOperateExplain(), row->getDelay());
        return rows;
    }
    QStringList fileEvents(int index = 1)
    {
        QStringList events;
        for (const macroItemInfo &item : fileItems(index))
            events << describe(QString::fromUtf8(item.codeName), QString::fromUtf8(item.operateExplain),
                               QString::fromUtf8(item.delay));
        return events;
    }
    QString totalTime() const { return child<QLabel>("label_TotalTime")->text(); }

    void selectEvent(int row) { QTest::mouseClick(page->eventRows().at(row), Qt::LeftButton); }
    void selectMacro(int row) { QTest::mouseClick(page->macroRows().at(row), Qt::LeftButton); }

    QTemporaryDir dir;
    QString path;
    xmlInterface store;
    ScriptedHooks::Script script;
    quint32 now = 100000;
    ScriptedDialogs *dialogs = nullptr;
    NoticeLog notices;
    std::unique_ptr<DMacroPage> page;
};
