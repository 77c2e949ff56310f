#!/usr/bin/env bash
# Refreshes the user guide's pictures (docs/images) from the screenshots the
# end-to-end tests leave in build/win/e2e (run `bash scripts/test.sh` first).
# Each picture is cut to the windows on the screen. A picture whose screenshot
# no end-to-end test takes yet is listed as missing; nothing stands in for it.
#
#   bash scripts/guide-screenshots.sh [E2E_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
e2e="${1:-$root/build/win/e2e}"
images="$root/docs/images"
guide="$root/docs/user-guide-ja.md"

# Which end-to-end screenshot feeds which picture of the guide, and what it must show.
sources="$(cat <<'LIST'
started.png                     main-window.png          the main window just after start-up, tab 新規作成
unlocked.png                    settings-unlocked.png    the main window after the Shift-click on 設定変更, caption 設定ロック
road-create-question.png        new-panel.png            tab 新規作成 filled in (A, 3 x 2, 80 x 60), the drawn grid, the question これで作成しても良いですか?
road-existing.png               existing-files.png       tab 既存ファイル with a table selected and its bitmap previewed
road-edit-window.png            edit-window.png          the panel edit window with a stamped text and the red frame on a cell
road-string-input.png           string-input.png         the string input dialog 文字列入力 with a text, over the edit window
road-relay.png                  command-relay.png        コマンド登録 with リレー chosen, relay number 7 and an action
road-learned.png                command-learned.png      コマンド登録 with 学習リモコン送信 and one learned row
road-learning.png               learning.png             the learning dialog リモコン学習中 while it waits for a signal
road-panel-switch.png           command-panel-switch.png コマンド登録 with パネル切替 and the identifier B
road-external.png               command-external.png     コマンド登録 with 外部プログラムの実行 and a command line
road-publish-question.png       publish-question.png     the question クロヴァンに反映させますか？ after 保存して終了
road-publish-check.png          publish-check.png        公開前の確認 listing a panel-switch target that does not exist
commissioning-question.png      commissioning.png        the 動作確認 question for the learned-code button, framed on the panel
manage-duplicate-identifier.png duplicate.png            パネルの複製 asking for the new identifier over tab 既存ファイル
manage-delete-question.png      delete-question.png      the delete question naming the bitmap and the table that switches to the panel
history-restore-choice.png      restore-version.png      以前の版に戻す listing a kept version (its time changes with every run)
faces-dialog.png                face-dialog.png          ボタンの見た目 for a button with a label, a picture and a red frame, its preview, over the edit window
faces-background.png            panel-background.png     パネルの背景 with a photo cropped to the panel and grid lines, over the edit window
faces-edit-window.png           edit-window-faces.png    the edit window of a panel with three faces over a photo background
undo-status.png                 undo-status.png          the edit window just after Ctrl+Z, its status line saying what was undone
undo-menu.png                   undo-menu.png            the F10 menu with 元に戻す and やり直す naming their buttons
recovery-question.png           recovery-question.png    the question at start offering a recovery copy (its time changes with every run)
panel-set.png                   panel-set.png            パネル一覧 over four panels: D never published, B switching to a panel Z that is not there
panel-set-check.png             panel-set-check.png      the set's check (まとめて確認) naming B's button to the missing Z
LIST
)"

command -v convert >/dev/null || { echo "guide-screenshots: ImageMagick's convert is needed" >&2; exit 1; }
mkdir -p "$images"
copied=0
missing=()
while read -r shot picture what; do
  [ -n "$shot" ] || continue
  if [ -f "$e2e/$shot" ]; then
    # The screenshots show the whole virtual screen, black around the windows.
    # No time stamps in the files: a picture changes only when the window does.
    convert "$e2e/$shot" -bordercolor black -border 1 -trim +repage -strip \
      -define png:exclude-chunks=date,time "$images/$picture"
    copied=$((copied + 1))
  else
    missing+=("$picture  <- $shot: $what")
  fi
done <<< "$sources"

echo "guide-screenshots: $copied pictures refreshed from $e2e"
if ((${#missing[@]})); then
  echo "missing (no end-to-end screenshot yet):"
  printf '  %s\n' "${missing[@]}"
fi

# Every picture the guide shows must have a source above.
status=0
for picture in $(grep -o 'images/[^)]*\.png' "$guide" | sed 's|images/||' | sort -u); do
  if ! awk '{print $2}' <<< "$sources" | grep -qx "$picture"; then
    echo "guide-screenshots: the guide shows images/$picture, which no screenshot feeds" >&2
    status=1
  fi
done
exit "$status"
