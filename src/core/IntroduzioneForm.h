#pragma once

#include "MdiChild.h"

// The static introduction page the program starts with.
class IntroduzioneForm : public MdiChild
{
    Q_OBJECT
public:
    IntroduzioneForm();
};
