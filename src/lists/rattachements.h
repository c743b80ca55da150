#pragma once

#include <string>
#include <vector>

#include "lists/list_window.h"

namespace tandarel {

// The schools of attachment: a one-column list saved at every cell change, sorted
// on its folded key and saved on "Quitter".
class Rattachements : public ListWindow {
    Q_OBJECT
public:
    Rattachements(ui::AppContext& context, QWidget* parent);

protected:
    Rows load() override;
    bool saveAsShown() override;
    void onQuitter() override;

private:
    std::vector<std::string> schools() const;
    bool writeList(const std::vector<std::string>& schools);
};

}  // namespace tandarel
