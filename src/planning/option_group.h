#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace tandarel {

// A coloured group of options that pops up over the window and reports the option
// the planner clicks; "cleared" means no option ticked.
class OptionGroup final : public QGroupBox {
    Q_OBJECT
public:
    OptionGroup(const QString& title, QSize size, const QColor& colour, const QStringList& options, int left,
                const std::vector<int>& tops, QWidget* parent);

    QRadioButton& option(int index) { return *options_[static_cast<std::size_t>(index)]; }
    void clear();

signals:
    void chosen(int index);

private:
    QButtonGroup* buttons_ = nullptr;
    std::vector<QRadioButton*> options_;
};

}  // namespace tandarel
