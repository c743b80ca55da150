#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Personnels : public ui::ModalWindow {
    Q_OBJECT
public:
    Personnels(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
