// The yardstick for the game's start time: a bare SDL2 program that opens one window titled
// "bare" and waits until it is closed, as the end-to-end script measures both side by side.
#include <SDL.h>

int main() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 289, 119, 0);
    if (!window) return 1;
    SDL_Event event;
    while (SDL_WaitEvent(&event) && event.type != SDL_QUIT) {
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
