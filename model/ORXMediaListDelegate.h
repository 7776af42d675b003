#pragma once

class ORXMediaList;

// Told when a recording list has been rebuilt. The call comes on the worker thread that built
// the list; a receiver that touches the user interface moves to the main thread itself.
class ORXMediaListDelegate
{
public:
    virtual ~ORXMediaListDelegate() = default;
    virtual void mediaListChanged(ORXMediaList* list) = 0;
};
