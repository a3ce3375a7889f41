#include "grid/GridFilter.h"

TFilterData &TFilter::Add()
{
    FItems.push_back(std::make_unique<TFilterData>());
    emit changed();
    return *FItems.back();
}

void TFilter::Clear()
{
    if (FItems.empty())
        return;
    FItems.clear();
    emit changed();
}

QVariantList TFilter::Items() const
{
    QVariantList items;
    for (const auto &item : FItems) {
        items.append(QVariantMap{{QStringLiteral("Column"), item->Column},
                                 {QStringLiteral("Condition"), item->Condition},
                                 {QStringLiteral("CaseSensitive"), item->CaseSensitive},
                                 {QStringLiteral("Prefix"), item->Prefix},
                                 {QStringLiteral("Suffix"), item->Suffix}});
    }
    return items;
}

void TFilter::SetItems(const QVariantList &items)
{
    std::vector<std::unique_ptr<TFilterData>> conditions;
    for (const QVariant &item : items) {
        const QVariantMap fields = item.toMap();
        auto condition = std::make_unique<TFilterData>();
        condition->Column = fields.value(QStringLiteral("Column"), condition->Column).toInt();
        condition->Condition = fields.value(QStringLiteral("Condition")).toString();
        condition->CaseSensitive = fields.value(QStringLiteral("CaseSensitive"), condition->CaseSensitive).toBool();
        condition->Prefix = fields.value(QStringLiteral("Prefix")).toString();
        condition->Suffix = fields.value(QStringLiteral("Suffix")).toString();
        conditions.push_back(std::move(condition));
    }
    FItems = std::move(conditions);
    emit changed();
}
