#pragma once

#include <QDialog>

class QCheckBox;
class QHBoxLayout;
class QPushButton;

namespace kw {

class Preferences;
class UserPrompts;

// "Keelwright Preferences": the associations and the door to the side names. A view of the
// Preferences controller; at a first run only "Okay" closes it.
class FrmPrefs : public QDialog {
    Q_OBJECT

public:
    FrmPrefs(Preferences& preferences, const QString& programFolder, UserPrompts& prompts, QWidget* parent = nullptr);

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void mirror();
    void cmdEditSides_Click();
    void cmdOkay_Click();

    Preferences& m_preferences;
    QString m_programFolder;
    UserPrompts& m_prompts;
    QCheckBox* m_ship = nullptr;
    QCheckBox* m_fleet = nullptr;
    QCheckBox* m_keepLayout = nullptr;
    QPushButton* m_okay = nullptr;
    QPushButton* m_cancel = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
};

} // namespace kw
