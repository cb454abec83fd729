#pragma once
// The one kind of address the program hands to the desktop's browser.
#include <string>

// Only http and https addresses with a host part and no blanks go to the browser.
bool IsWebAddress(const std::string& address);
