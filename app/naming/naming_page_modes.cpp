// The list and idiom modes of the naming page. They come with their own grid pages; until then
// choosing them starts nothing.
#include "naming_page.h"

void NamingPage::runListMode()
{
}

void NamingPage::runIdiomMode()
{
}

void NamingPage::showNextListPage()
{
}
