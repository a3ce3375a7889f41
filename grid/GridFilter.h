#pragma once

#include "grid/GridSettings.h"

#include <QString>
#include <QVariantList>
#include <memory>
#include <vector>

// One condition of the row filter.
struct TFilterData
{
    int Column = 0;
    QString Condition;
    bool CaseSensitive = true;
    QString Prefix;
    QString Suffix;
};

// The row filter's conditions, owned by the filter.
class TFilter : public TGridSettings
{
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)
    // The conditions as the stored form holds them: one map per condition
    // with the fields of TFilterData by name; writing replaces them all.
    Q_PROPERTY(QVariantList Items READ Items WRITE SetItems)

public:
    using TGridSettings::TGridSettings;

    int Count() const { return int(FItems.size()); }
    TFilterData &Add();
    TFilterData &Item(int index) { return *FItems.at(std::size_t(index)); }
    void Clear();
    QVariantList Items() const;
    void SetItems(const QVariantList &items);

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};
