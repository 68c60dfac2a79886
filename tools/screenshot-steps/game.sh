# Steps for tools/screenshot.sh: play a game that spreads pieces over the
# board until it ends, so that the final board stays still for the capture.
click_client "$window" 112 200   # "Continue"
for round in $(seq 400); do
  sleep 0.6
  column=$(( (round * 5 / 4) % 7 ))
  click_client "$window" $(( column * 32 + 16 )) 300
  (( round % 5 == 0 )) && click_client "$window" $(( column * 32 + 16 )) 300 3
  if (( round % 10 == 0 )); then
    # The board no longer changes once the game is over.
    import -window "$window" "$workdir/a.png"
    sleep 2
    import -window "$window" "$workdir/b.png"
    [ "$(compare -metric AE "$workdir/a.png" "$workdir/b.png" null: 2>&1)" = "0" ] && break
  fi
done
