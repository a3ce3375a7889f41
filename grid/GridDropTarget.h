#pragma once

// The drop target the grid registers while it takes drops, with what it
// accepts; the stored form's drag-and-drop settings apply on loading.
struct TGridDropTarget
{
    bool AcceptText = true;
    bool AcceptFiles = true;
};
