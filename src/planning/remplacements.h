#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Remplacements : public ui::ModalWindow {
    Q_OBJECT
public:
    Remplacements(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
