#pragma once
// Registers every form of the program with the form registry by name.
void registerForms();
