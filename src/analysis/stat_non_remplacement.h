#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Stat_Non_Remplacement : public ui::ModalWindow {
    Q_OBJECT
public:
    Stat_Non_Remplacement(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
