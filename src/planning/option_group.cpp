#include "planning/option_group.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace tandarel {

OptionGroup::OptionGroup(const QString& title, QSize size, const QColor& colour, const QStringList& options,
                         int left, const std::vector<int>& tops, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)) {
    resize(size);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    setPalette(palette);
    for (int i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(options[i], this);
        option->setGeometry(left, tops[static_cast<std::size_t>(i)], size.width() - left - 2, 15);
        option->setFocusPolicy(Qt::NoFocus);
        buttons_->addButton(option, i);
        options_.push_back(option);
    }
    connect(buttons_, &QButtonGroup::idClicked, this, &OptionGroup::chosen);
}

void OptionGroup::clear() {
    buttons_->setExclusive(false);
    for (auto* option : options_) option->setChecked(false);
    buttons_->setExclusive(true);
}

}  // namespace tandarel
