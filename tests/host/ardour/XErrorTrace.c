/* Loaded into ardour by the tests that open and close editors many times:
   every X error raised in the process (whichever connection it came on) is
   written to the file named by PANDREL_XERROR_LOG, with the request, the
   resource, the connection and the calls that led to it, and then handed on
   to the handler the process installed, which may end it. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xlibint.h>

#include <dlfcn.h>
#include <execinfo.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

typedef XErrorHandler (*SetHandler) (XErrorHandler);

static XErrorHandler hostHandler = NULL;

static void writeAll (int fd, const char* text)
{
    size_t left = strlen (text);
    while (left > 0)
    {
        const ssize_t n = write (fd, text, left);
        if (n <= 0)
            return;
        text += n;
        left -= (size_t) n;
    }
}

static int traced (Display* display, XErrorEvent* error)
{
    const char* path = getenv ("PANDREL_XERROR_LOG");
    const int fd = path != NULL ? open (path, O_WRONLY | O_CREAT | O_APPEND, 0644) : 2;
    if (fd >= 0)
    {
        char text[512];
        char name[128] = "";
        XGetErrorText (display, error->error_code, name, sizeof (name));
        const struct _XDisplay* d = display;
        snprintf (text, sizeof (text),
                  "X error %d (%s): request %d.%d on resource 0x%lx (its client 0x%lx), serial %lu, "
                  "connection %p of client 0x%lx\n",
                  error->error_code, name, error->request_code, error->minor_code, error->resourceid,
                  error->resourceid & ~d->resource_mask, error->serial, (void*) display, d->resource_base);
        writeAll (fd, text);
        void* frames[64];
        const int count = backtrace (frames, 64);
        backtrace_symbols_fd (frames, count, fd);
        writeAll (fd, "--\n");
        if (fd != 2)
            close (fd);
    }
    if (hostHandler != NULL)
        return hostHandler (display, error);
    /* Xlib's own handler ends the process. */
    exit (1);
}

XErrorHandler XSetErrorHandler (XErrorHandler handler)
{
    static SetHandler real = NULL;
    if (real == NULL)
        real = (SetHandler) dlsym (RTLD_NEXT, "XSetErrorHandler");
    const XErrorHandler before = hostHandler;
    hostHandler = handler;
    real (traced);
    return before;
}
