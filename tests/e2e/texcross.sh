# shellcheck shell=bash
# Sourced by texcross's end-to-end tests: session.sh's helpers, copies of texcross beside its
# images (or some of them) in folders of the session, and what every image it cannot load leads to.
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

TEXTURE_FAILURE_TEXT="Błąd ładowania tekstury!"

# copy_program EXECUTABLE FOLDER [IMAGE...]: makes FOLDER and copies texcross into it with the
# named images from the executable's folder, all five (tex0.jpg ... tex4.jpg) unless named.
copy_program() {
    local executable=$1 folder=$2 image
    shift 2
    [ $# -gt 0 ] || set -- tex{0..4}.jpg
    mkdir -p "$folder"
    cp "$executable" "$folder/"
    for image in "$@"; do
        cp "$(dirname "$executable")/$image" "$folder/"
    done
}

# deep_folder NAME LENGTH: makes a folder whose absolute path, as the program sees it, is exactly
# LENGTH characters long, nested in the session folder under NAME; prints its path.
deep_folder() {
    local path remaining
    path=$(realpath "$SESSION_DIR")/$1
    while [ $(($2 - ${#path})) -gt 102 ]; do
        path=$path/$(printf 'd%.0s' $(seq 100))
    done
    remaining=$(($2 - ${#path} - 1))
    path=$path/$(printf 'e%.0s' $(seq "$remaining"))
    mkdir -p "$path"
    echo "$path"
}

# expect_drawing: the window opens, and its picture changes and shows the cubes in their images;
# Escape held across a poll ends the program with exit code 0 within 2 s.
expect_drawing() {
    wait_for_window "DirectX textures"
    sleep 1
    expect_changing expect_cubes_drawn
    expect_images_shown
    hold_key Escape
    expect_exit_within 2 0
}

# expect_texture_failure: the program shows the message box "Info" with the texture failure text
# while its window shows no frame, having held less than 200 MB; once the box is dismissed the
# program ends within 2 s with exit code 1, having shown no other box.
expect_texture_failure() {
    wait_for_message_box Info
    wait_for_window "DirectX textures"
    expect_no_frame
    expect_peak_memory_below 200
    dismiss_message_box
    expect_exit_within 2 1
    expect_one_message Info "$TEXTURE_FAILURE_TEXT"
}
