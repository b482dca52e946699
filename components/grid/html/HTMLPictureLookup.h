// The picture an image of HTML text names: a plain name from the picture container, an
// address ("RES://", "FILE://", "http://" ...) from the picture cache, which loads it the
// first time. Null for a missing picture, container or cache; a picture that could not be
// loaded stays in the cache, empty, so it is not loaded again at every painting.
#pragma once

#include "components/grid/html/HTMLPictureCache.h"
#include "components/grid/html/PictureContainer.h"

THTMLPicture* FindHTMLPicture(const AnsiString& Name, const TPictureContainer* Container,
                              THTMLPictureCache* Cache);

// The name an image tag's source is looked up by: a container name upper-cased, as the
// container finds names; an address as written, since a file's path keeps its case.
AnsiString HTMLPictureName(const AnsiString& Source);
