#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "lists/transfer_session.h"
#include "ui/app_context.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QVBoxLayout;
class QWidget;

namespace tandarel {

// The timetable transfer on screen, in the substitutes window once its list is saved:
// the controls of the step the session is at, the session's messages, and the user's
// clicks handed to the session. What each step decides lives in TransferSession.
class TransferSteps : public QObject {
    Q_OBJECT
public:
    TransferSteps(ui::AppContext& context, QWidget& window);

    // Decides whether the list changed, and goes on to the pairing or to the end.
    void start();
    // Hides every control of the transfer (the window is opened again).
    void reset();
    // Clears the pairing, deletes the working copies of the list and ends the transfer.
    void finish();

    QTableWidget& pairingGrid() { return *pairingGrid_; }
    QLabel& remark() { return *remark_; }
    QPushButton& newListDone() { return *newListDone_; }
    QGroupBox& nameFrame() { return *nameFrame_; }
    std::vector<QRadioButton*> nameChoices() const { return nameButtons_; }
    QListWidget& weekList() { return *weekList_; }
    QGroupBox& options() { return *options_; }
    QRadioButton& option(WeekOption which) { return *optionButtons_[static_cast<std::size_t>(which)]; }
    QPushButton& finDeChoix() { return *finDeChoix_; }

signals:
    // The finishing step is over: the window closes.
    void finished();

private:
    // Shows the session's stage, then its messages; the end closes the window.
    void apply(const TransferMessages& said);
    void showPairing();
    void showWeeks();
    void clear();
    void onPairingCellClicked(int row, int column);
    void onNameChosen(int index);
    void showTicks();
    void clearNameChoices();
    void clearOptions();
    void showPairingControls(bool visible);
    void showWeekControls(bool visible);

    ui::AppContext& context_;
    TransferSession session_;
    TransferSession::Stage shown_ = TransferSession::Stage::Idle;

    QLabel* pairingHint_ = nullptr;
    QTableWidget* pairingGrid_ = nullptr;
    QLabel* remark_ = nullptr;
    QPushButton* newListDone_ = nullptr;
    QGroupBox* nameFrame_ = nullptr;
    QVBoxLayout* nameLayout_ = nullptr;
    QButtonGroup* nameGroup_ = nullptr;
    std::vector<QRadioButton*> nameButtons_;

    QLabel* weekListLabel_ = nullptr;
    QListWidget* weekList_ = nullptr;
    QLabel* optionsLabel_ = nullptr;
    QGroupBox* options_ = nullptr;
    QButtonGroup* optionGroup_ = nullptr;
    std::array<QRadioButton*, 3> optionButtons_{};
    QPushButton* finDeChoix_ = nullptr;
};

}  // namespace tandarel
