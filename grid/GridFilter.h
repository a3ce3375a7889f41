#pragma once

#include "grid/GridSettings.h"

#include <QString>
#include <memory>
#include <vector>

// One condition of the row filter.
struct TFilterData {
    int Column = 0;
    QString Condition;
    bool CaseSensitive = true;
    QString Prefix;
    QString Suffix;
};

// The row filter's conditions, owned by the filter.
class TFilter : public TGridSettings {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    using TGridSettings::TGridSettings;

    int Count() const { return int(FItems.size()); }
    TFilterData &Add();
    TFilterData &Item(int index) { return *FItems.at(std::size_t(index)); }
    void Clear();

private:
    std::vector<std::unique_ptr<TFilterData>> FItems;
};
