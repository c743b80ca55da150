#pragma once

#include "ui/modal_window.h"

namespace tandarel {

class documentation : public ui::ModalWindow {
    Q_OBJECT
public:
    documentation(ui::AppContext& context, QWidget* parent);

protected:
    void FormActivate() override;
};

}  // namespace tandarel
