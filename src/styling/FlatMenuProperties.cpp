#include "styling/FlatMenuProperties.h"

TFlatContainers allFlatContainers()
{
    TFlatContainers all;
    for (int c = int(TFlatContainer::fccForm); c <= int(TFlatContainer::fccPageScroller); ++c)
        all.insert(TFlatContainer(c));
    return all;
}

TFlatControls allFlatControls()
{
    TFlatControls all;
    for (int c = int(TFlatControl::fcMainMenu); c <= int(TFlatControl::fcHotKey); ++c)
        all.insert(TFlatControl(c));
    return all;
}
