#include "ui/common/option_arrow_keys.h"

#include <QKeyEvent>
#include <QRadioButton>

namespace korvanta {

bool SelectOptionByArrow(QObject* watched, const QKeyEvent& key) {
    if (key.key() != Qt::Key_Left && key.key() != Qt::Key_Right) {
        return false;
    }
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (option == nullptr || option->parentWidget() == nullptr) {
        return false;
    }
    QList<QRadioButton*> group;
    for (QRadioButton* member :
         option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (member == option || (member->isEnabled() && member->isVisible())) {
            group.append(member);
        }
    }
    if (group.size() < 2) {
        return false;
    }
    const qsizetype step = key.key() == Qt::Key_Right ? 1 : group.size() - 1;
    group[(group.indexOf(option) + step) % group.size()]->click();
    return true;
}

} // namespace korvanta
