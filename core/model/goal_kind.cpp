#include "model/goal_kind.h"

#include <QCoreApplication>

namespace tallyra {

QString rawValue(GoalKind kind)
{
    switch (kind) {
    case GoalKind::balance:
        return QStringLiteral("balance");
    case GoalKind::challenge:
        return QStringLiteral("challenge");
    case GoalKind::saving:
        break;
    }
    return QStringLiteral("saving");
}

std::optional<GoalKind> goalKindFromRaw(QStringView raw)
{
    for (const GoalKind kind : kAllGoalKinds)
        if (raw == rawValue(kind))
            return kind;
    return std::nullopt;
}

GoalKind goalKindFromStored(QStringView raw)
{
    return goalKindFromRaw(raw).value_or(GoalKind::saving);
}

QString title(GoalKind kind)
{
    switch (kind) {
    case GoalKind::balance:
        return QCoreApplication::translate("GoalKind", "Balance Goal");
    case GoalKind::challenge:
        return QCoreApplication::translate("GoalKind", "Challenge");
    case GoalKind::saving:
        break;
    }
    return QCoreApplication::translate("GoalKind", "Saving Goal");
}

} // namespace tallyra
