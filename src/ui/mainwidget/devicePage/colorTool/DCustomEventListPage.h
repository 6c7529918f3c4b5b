#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

class DCustomEventWidget;
class QVBoxLayout;
class xmlInterface;

namespace Ui {
class DCustomEventListPage;
}

// The customised-keys list of the device page: the bound keys of the profile
// or on-board layer the key-function pages work on, or "No custom features
// added". A click on a row selects that key.
class DCustomEventListPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomEventListPage(QWidget *parent = nullptr);
    ~DCustomEventListPage() override;

    // Replaces the list with the rows of that profile; nothing without a store
    // or a path.
    void loadCustomEventList(xmlInterface *xml, const char *path, int profileIndex, QMap<int, QString> keyNames);
    // Both refresh the rows in place, without reading the file again; a
    // language change brings the key names in the new language. A hidden
    // list takes the theme when it is next shown: restyling its rows is the
    // dearest part of a theme change.
    void retranslate(const QMap<int, QString> &keyNames);
    void changAppTheme();

    DCustomEventWidget *currentPanel() const { return m_panel; }
    bool isShowingEmptyTip() const;

signals:
    void sigCustomEventItemMouseClicked(int keyCode, QString keyCaption);

public slots:
    void onCustomEventListIsEmpty();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void applyTheme();
    void updateRowTexts();

    Ui::DCustomEventListPage *ui;
    QVBoxLayout *m_rowLayout;
    DCustomEventWidget *m_panel = nullptr;
    bool m_themePending = false;
};
