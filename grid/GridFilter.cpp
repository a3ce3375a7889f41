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
