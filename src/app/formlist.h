#pragma once
// Registers every form of the program with the form registry by name.

#include "ui/formregistry.h"

void registerForms();

// How the form list makes the form of the exercise with this form name: afresh
// for every run, with the menu's choices as its session and the catalogue's
// numbers of the exercise in it.
ui::FormRegistry::Factory exerciseFactory(const QString& id);
