#pragma once

#include "xmlRecords.h"

#include <QByteArray>
#include <QObject>
#include <QPair>
#include <QString>

class MainHidInterFace;
class xmlInterface;

// The state every key-function page keeps and the save they share: the
// selected key, the store, the key's file and profile, the on-board flag, the
// reading of the key's binding and its replacement (in one save) by a new
// one, with the signals. A page owns one and forwards its signals as its own.
class keyFunctionPageState : public QObject
{
    Q_OBJECT

public:
    explicit keyFunctionPageState(QObject *parent = nullptr);

    // Re-emits the three save signals as the page's signals of the same names.
    void forwardSignalsTo(QObject *page);

    void setHidInterfaceAndXml(MainHidInterFace *hidInterface, xmlInterface *xml);
    void setCurrentKey(const QPair<int, QString> &key);
    // The paths arrive as local 8-bit texts; they are kept whole.
    void setFilePaths(const char *macroFilePath, const char *keyFilePath);
    void setProfileIndex(int index);
    void setOnboardMode(int mode);

    int keyCode() const { return m_keyCode; }
    QString keyCaption() const { return m_keyCaption; }
    MainHidInterFace *hidInterface() const { return m_hidInterface; }
    xmlInterface *store() const { return m_xml; }
    int profileIndex() const { return m_profileIndex; }
    QByteArray profileText() const { return QByteArray::number(m_profileIndex); }
    QByteArray keyCodeText() const { return QByteArray::number(m_keyCode); }
    QString macroFilePath() const { return m_macroFilePath; }
    QString keyFilePath() const { return m_keyFilePath; }
    int onboardMode() const { return m_onboardMode; }
    bool isOnboard() const { return m_onboardMode == 1; }

    // The key's stored record; keyCode "-1" when the key has none (no store,
    // file, profile or item).
    customKeyInfo readBinding() const;
    // The record holds a binding of that operateType.
    static bool isBindingOf(const customKeyInfo &record, int operateType);

    // Replaces the key's binding and reports the outcome: on success
    // sigShoudUpdateKeyboard then sigCustomKeyInfoSaveSuccessful, on failure
    // sigShoudUpdateKeyboard then sigCustomKeyInfoSaveFailed with the reason.
    bool saveBinding(int operateType, int repeatNum, int mode, const QByteArray &value);

    // The two halves, for pages with steps of their own in between.
    // writeBinding refuses a Value over 5119 bytes and changes nothing then.
    bool writeBinding(int operateType, int repeatNum, int mode, const QByteArray &value, QString *reason);
    void reportSaved();
    void reportFailed(const QString &reason);
    // Why a store call on the key's file and profile did not go through.
    QString storeFailureReason() const;
    QString valueTooLongReason() const;

signals:
    void sigShoudUpdateKeyboard(int keyCode);
    void sigCustomKeyInfoSaveSuccessful();
    void sigCustomKeyInfoSaveFailed(QString reason);

private:
    int m_keyCode = -1;
    QString m_keyCaption;
    MainHidInterFace *m_hidInterface = nullptr; // kept for the device page, never used here
    xmlInterface *m_xml = nullptr;
    int m_profileIndex = 1;
    QString m_macroFilePath;
    QString m_keyFilePath;
    int m_onboardMode = 0;
};
