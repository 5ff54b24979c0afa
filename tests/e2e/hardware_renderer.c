/* Stands in for a hardware driver's answer to "does this renderer draw in software?", asked
   of the screen before the window exists and of the window's context after, so that the
   game can be seen doing what it does on a player's graphics card. Loaded ahead of the
   driver with LD_PRELOAD; every other question still reaches the real driver. */
#define GLX_RENDERER_ACCELERATED_MESA 0x8186

typedef struct _XDisplay Display;

int glXQueryRendererIntegerMESA(Display* display, int screen, int renderer, int attribute,
                                unsigned int* value)
{
    (void)display;
    (void)screen;
    (void)renderer;
    if (attribute != GLX_RENDERER_ACCELERATED_MESA)
        return 0;
    *value = 1;
    return 1;
}

int glXQueryCurrentRendererIntegerMESA(int attribute, unsigned int* value)
{
    return glXQueryRendererIntegerMESA(0, 0, 0, attribute, value);
}
