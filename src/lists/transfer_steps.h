#pragma once

#include <QObject>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "lists/transfer_files.h"
#include "lists/transfer_rules.h"
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

// The steps of the timetable transfer, shown in the substitutes window once its
// list is saved: the change test, the pairing and its corrections, the choice of
// the weeks, their rewrite, and the finishing step that ends every path.
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
    QLabel& pairingHint() { return *pairingHint_; }
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
    void showPairing(const std::vector<PairingRow>& pairing, const std::vector<std::string>& names);
    void onPairingCellClicked(int row, int column);
    void onNameChosen(int index);
    void onNewListDone();
    void chooseWeeks();
    void onOption(WeekOption option);
    void onFinDeChoix();
    void clearNameChoices();
    void showPairingControls(bool visible);
    void showWeekControls(bool visible);
    std::vector<PairingRow> pairingOnScreen() const;

    ui::AppContext& context_;
    QWidget& window_;

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

    std::vector<std::string> names_;
    std::optional<int> emptiedRow_;
    std::vector<PairingRow> pairing_;
    SchoolYearWeeks weeks_;
};

}  // namespace tandarel
