#pragma once

#include <string_view>
#include <vector>

#include "core/reference_files.h"
#include "lists/list_window.h"

namespace tandarel {

class TransferSteps;

// The substitutes list: saved at every cell change, saved again on "Quitter" as
// edited (personnels.tmp) and sorted (personnels.pln), after which the timetables
// of the week files are handed on to the edited names. Selecting an "En activité"
// cell switches it.
class Personnels : public ListWindow {
    Q_OBJECT
public:
    Personnels(ui::AppContext& context, QWidget* parent);

    static constexpr int kActivityColumn = 4;

    TransferSteps& transfer() { return *transfer_; }

protected:
    void FormActivate() override;
    Rows load() override;
    bool saveAsShown() override;
    void onQuitter() override;

private:
    std::vector<Substitute> records() const;
    void setTitles(bool fileMissing);
    bool writeRecords(std::string_view fileName, const std::vector<Substitute>& records);

    TransferSteps* transfer_ = nullptr;
};

}  // namespace tandarel
