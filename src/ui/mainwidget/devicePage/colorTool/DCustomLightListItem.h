#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DCustomLightListItem;
}

class xmlInterface;

// One row of the device page's list of custom per-key lighting schemes: the
// scheme's name, an in-use box and an in-place rename. The only thing the row
// writes by itself is a new name; selection and use belong to the device page,
// which hears the signals and answers through the setters.
class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    // The profile file (in the file system's 8-bit encoding) and the store
    // the row renames in.
    void setConfigInfo(const char *profilePath, xmlInterface *store);
    void setItemInfo(const QString &profileIndex, const QString &customIndex, const QString &name,
                     const QString &usingStatus, int usingFlagIndex);

    void setSelectedStyle(bool selected);
    void setUsingChecked(bool checked);
    void updateTheme();

    QString getCustomIndex() const;
    QString getCustomName() const;
    QString getUsingStatus() const;
    void setUsingStatus(const QString &status);
    int getUsingFlagIndex() const;
    void setUsingFlagIndex(int index);

    // A new name as the store keeps it: cut at a character boundary to what
    // the scheme record's name field holds.
    static QByteArray storedName(const QString &name);

signals:
    void sigCustomLightItemMouseClicked(const QString &customIndex, const QString &name);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    // The rename could not be stored (no store, profile or scheme missing);
    // the row keeps its old name.
    void sigModifyCustomLightItemNameFailed();
    void sigCustomLightUsingStatus(bool checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_clicked(bool checked);
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void takeThemeTexts();
    void applyStyles();

    std::unique_ptr<Ui::DCustomLightListItem> m_ui;
    QString m_profilePath;
    xmlInterface *m_store = nullptr;
    QString m_profileIndex = QStringLiteral("-1");
    QString m_customIndex = QStringLiteral("-1");
    QString m_name;
    QString m_usingStatus;
    int m_usingFlagIndex = -1;
    bool m_selected = false;

    QString m_borderColor;
    QString m_unselectedBgColor;
    QString m_hoverColor;
    QString m_textDefaultColor;
    QString m_textSelectedColor;
    QString m_textFont;
    // The editor's own colours.
    QString m_editorTextColor;
    QString m_editorBgColor;
    QString m_editorFocusColor;
};
