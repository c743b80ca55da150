#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class Ges_date_system : public ui::ModalWindow {
    Q_OBJECT
public:
    Ges_date_system(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
